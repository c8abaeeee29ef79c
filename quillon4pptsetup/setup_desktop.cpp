#include "quillon4pptsetup/setup_desktop.h"

#include <QApplication>
#include <iostream>

#include "common/messages.h"
#include "platform/forms/console_dialogs.h"
#include "platform/forms/control.h"
#include "platform/forms/qt/display.h"
#include "platform/forms/qt/qt_dialogs.h"
#include "quillon4pptsetup/setup_program.h"
#include "quillon4pptsetup/setup_windows.h"

namespace setup {
namespace {

int runWithoutDisplay(const SetupPaths& paths, const std::string& commandLine) {
    forms::ConsoleDialogs dialogs(std::cerr, nullptr);
    UnopkgRegistrar toolbar;
    SetupProgram program(paths, dialogs, toolbar);
    program.onShow = [](forms::Form&) { throw forms::ProgramExit{1}; };
    try {
        if (!program.Main(commandLine)) return 0;
    } catch (const forms::ProgramExit& e) {
        std::cerr << common::messages::fill(common::messages::kNoDisplay, {"QuillonSetup"}) << '\n';
        return e.status;
    }
    return 1;
}

// Repaints without taking clicks, so no button runs while a file loop is under way.
void DoEvents() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

int runSetupDesktop(int argc, char** argv, const SetupPaths& paths, const std::string& commandLine) {
    if (!forms::qt::displayAvailable()) return runWithoutDisplay(paths, commandLine);
    QApplication app(argc, argv);
    // Between frmMain and frmConfig no window is open; the program ends only by EndProgram.
    QApplication::setQuitOnLastWindowClosed(false);
    forms::qt::QtDialogs dialogs;
    UnopkgRegistrar toolbar(DoEvents);
    SetupProgram program(paths, dialogs, toolbar, DoEvents);
    SetupWindows windows(program, dialogs);
    try {
        if (!program.Main(commandLine)) return 0;
    } catch (const forms::ProgramExit& e) {
        return e.status;
    }
    return app.exec();
}

}  // namespace setup
