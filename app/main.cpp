#include "app/MainWindow.h"
#include "app/Product.h"
#include "app/RunEventHandler.h"
#include "app/UnhandledException.h"
#include "app/WPFAssertHandler.h"
#include "varnel/common/DBC.h"
#include "varnel/common/UserLocale.h"
#include "varnel/settings/Settings.h"

#include <exception>
#include <pthread.h>
#include <string>

#include <QApplication>

using namespace varnel;

namespace {

void run(QApplication& application) {
    Settings settings;
    MainWindow window(settings);
    window.get_window().show();
    application.exec();
    rethrow_parked_exception();
}

} // namespace

int main(int argc, char** argv) {
    pthread_setname_np(pthread_self(), "Main UI");
    std::set_terminate(on_thread_unhandled_exception);
    WPFAssertHandler assert_handler;
    DBC::set_assert_handler(&assert_handler);
    install_user_locale();

    // Varnel has no command-line options: the toolkit sees only the program name.
    int application_argc = argc > 0 ? 1 : 0;
    QApplication application(application_argc, argv);
    // Desktops match the window to its desktop entry, and with it to the icon, by this name.
    QGuiApplication::setDesktopFileName(application_id());
    try {
        run(application);
    } catch (...) {
        handle_unhandled_exception(L"Main", std::current_exception());
    }
    return 0;
}
