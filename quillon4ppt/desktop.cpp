#include "quillon4ppt/desktop.h"

#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <iostream>

#include "common/messages.h"
#include "platform/forms/console_dialogs.h"
#include "platform/forms/control.h"
#include "platform/forms/qt/display.h"
#include "platform/forms/qt/form_window.h"
#include "platform/forms/qt/model_call.h"
#include "platform/forms/qt/qt_dialogs.h"
#include "quillon4ppt/launch/startup.h"

namespace {

// Without a display: questions and errors on the terminal, and no window to show.
int runWithoutDisplay(const launch::Environment& env, const std::string& commandLine,
                      office::HostConnector& connector, const launch::VerbTable& verbs) {
    forms::ConsoleDialogs dialogs(std::cerr, isatty(STDIN_FILENO) ? &std::cin : nullptr);
    launch::Program program(env, dialogs, connector);
    try {
        auto started = launch::startProgram(program, verbs, commandLine, std::cerr, isatty(STDERR_FILENO));
        if (auto* status = std::get_if<int>(&started)) return *status;
        std::cerr << common::messages::fill(common::messages::kNoDisplay, {"quillon4ppt"}) << '\n';
        return 1;
    } catch (const forms::ProgramExit& e) {
        return e.status;
    }
}

}  // namespace

int runDesktop(int argc, char** argv, const launch::Environment& env, const std::string& commandLine,
               office::HostConnector& connector, const launch::VerbTable& verbs) {
    if (!forms::qt::displayAvailable()) return runWithoutDisplay(env, commandLine, connector, verbs);
    QApplication app(argc, argv);
    forms::qt::QtDialogs dialogs;
    launch::Program program(env, dialogs, connector);
    std::unique_ptr<forms::Form> form;
    try {
        auto started = launch::startProgram(program, verbs, commandLine, std::cerr, isatty(STDERR_FILENO));
        if (auto* status = std::get_if<int>(&started)) return *status;
        form = std::move(std::get<std::unique_ptr<forms::Form>>(started));
    } catch (const forms::ProgramExit& e) {
        return e.status;
    }
    forms::qt::FormWindow window(*form);
    dialogs.setWindow(&window);
    // Closing the window from its title bar ends the program as "退出" does.
    window.onClose = [&] { forms::qt::callModel(*form, [&] { program.ExitProgram(); }); };
    window.show();
    if (std::getenv("QUILLON_QUIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, [&] {
            window.repaint();
            QCoreApplication::exit(0);
        });
    int status = app.exec();
    try {
        if (!form->unloaded()) program.ExitProgram(status);
    } catch (const forms::ProgramExit& e) {
        status = e.status;
    }
    return status;
}
