#include "platform/forms/qt/model_call.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <exception>

#include "common/shown_error.h"

namespace forms::qt {
namespace {

void endProgram(const char* why) {
    qCritical("%s", why);
    QCoreApplication::exit(1);
}

void report(Form& form, const char* what) {
    try {
        form.dialogs().msgBox(what);
    } catch (...) {
        endProgram(what);
    }
}

}  // namespace

void callModel(Form& form, const std::function<void()>& call) {
    try {
        call();
    } catch (const ProgramExit& exit) {
        QCoreApplication::exit(exit.status);
    } catch (const std::exception& e) {
        report(form, common::ShownText(e).c_str());
    } catch (...) {
        endProgram("an unknown error ended the program");
    }
}

}  // namespace forms::qt
