// Runs the window tests: all classes, one class ("SettingsTest"), or one function of a class
// ("SettingsTest stored_text"). "--list" names every test function for CTest. The "--child-*"
// modes are the other side of the tests that need a process of their own to end.

#include "tests/app/AppTest.h"
#include "tests/app/ChildProcess.h"

#include <cstdio>
#include <cstring>
#include <locale>
#include <optional>

#include <QApplication>
#include <QMetaMethod>
#include <QTest>

std::vector<AppTestClass>& app_test_classes() {
    static std::vector<AppTestClass> classes;
    return classes;
}

ScopedConfigHome::ScopedConfigHome() : previous(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", directory.path().toLocal8Bit());
}

ScopedConfigHome::~ScopedConfigHome() {
    qputenv("XDG_CONFIG_HOME", previous);
}

QString ScopedConfigHome::store_file() const {
    return directory.path() + QStringLiteral("/Sorvexa/Varnel.conf");
}

namespace {

bool is_test_function(const QMetaMethod& method) {
    static const char* const fixtures[] = {"initTestCase", "cleanupTestCase", "init", "cleanup"};
    if (method.methodType() != QMetaMethod::Slot || method.access() != QMetaMethod::Private ||
        method.parameterCount() != 0) {
        return false;
    }
    const QByteArray name = method.name();
    if (name.endsWith("_data")) {
        return false;
    }
    for (const char* fixture : fixtures) {
        if (name == fixture) {
            return false;
        }
    }
    return true;
}

void list_test_functions() {
    for (const AppTestClass& test_class : app_test_classes()) {
        const std::unique_ptr<QObject> object = test_class.make();
        const QMetaObject* meta = object->metaObject();
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            if (is_test_function(meta->method(i))) {
                std::printf("%s %s\n", test_class.name.c_str(), meta->method(i).name().constData());
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    std::locale::global(std::locale("C.UTF-8"));
    if (argc > 1 && std::strcmp(argv[1], "--list") == 0) {
        list_test_functions();
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // No test may reach the user's own settings, not even one that forgets to isolate itself. A
    // child mode keeps the isolated configuration of the test that started it.
    const bool child = argc > 1 && std::strncmp(argv[1], "--child-", 8) == 0;
    std::optional<ScopedConfigHome> config_home;
    if (!child) {
        config_home.emplace();
    }
    const QTemporaryDir runtime_directory;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", runtime_directory.path().toLocal8Bit());
    }
    QApplication application(argc, argv);
    if (child) {
        return run_child(argv[1]);
    }

    int status = 0;
    bool found = false;
    for (const AppTestClass& test_class : app_test_classes()) {
        if (argc > 1 && test_class.name != argv[1]) {
            continue;
        }
        found = true;
        const std::unique_ptr<QObject> object = test_class.make();
        QStringList arguments{QString::fromLocal8Bit(argv[0])};
        for (int i = 2; i < argc; ++i) {
            arguments.append(QString::fromLocal8Bit(argv[i]));
        }
        status |= QTest::qExec(object.get(), arguments);
    }
    if (!found) {
        std::fprintf(stderr, "No test class named %s\n", argv[1]);
        return 2;
    }
    return status;
}
