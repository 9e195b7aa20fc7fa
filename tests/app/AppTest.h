#pragma once
// Support for the window tests: a registry of test classes, so that one executable holds them all
// and CTest can run each test function on its own, and an isolated settings store per test.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QByteArray>
#include <QObject>
#include <QTemporaryDir>

struct AppTestClass {
    std::string name;
    std::function<std::unique_ptr<QObject>()> make;
};

std::vector<AppTestClass>& app_test_classes();

template <typename Test>
struct AppTestRegistration {
    explicit AppTestRegistration(const char* name) {
        app_test_classes().push_back({name, [] { return std::make_unique<Test>(); }});
    }
};

#define VARNEL_APP_TEST(Class) static const AppTestRegistration<Class> Class##_registration(#Class)

// Points XDG_CONFIG_HOME at a fresh empty directory for the life of the object, so a test never
// sees or touches the user's settings or another test's.
class ScopedConfigHome {
public:
    ScopedConfigHome();
    ~ScopedConfigHome();
    ScopedConfigHome(const ScopedConfigHome&) = delete;
    ScopedConfigHome& operator=(const ScopedConfigHome&) = delete;

    QString path() const { return directory.path(); }
    // The settings store file inside this configuration directory.
    QString store_file() const;

private:
    QTemporaryDir directory;
    QByteArray previous;
};
