#include "quillon4ppt/launch/program.h"

#include "common/shown_error.h"
#include "platform/forms/control.h"
#include "platform/registry/reg_module.h"

namespace launch {

using common::messages::kVersionQuestion;

Program::Program(Environment env, forms::Dialogs& dialogs, office::HostConnector& connector)
    : env_(std::move(env)), dialogs_(dialogs), connector_(connector) {
    if (env_.registry) registry_ = registry::RegistryFile::load(*env_.registry);
    if (env_.runtimeFolder) instanceLock_ = std::make_unique<InstanceLock>(*env_.runtimeFolder);
    // The presentation program went away mid-command: say so and end, writing nothing.
    connector_.whenLost([this](const std::string& message) {
        dialogs_.msgBox(message);
        throw forms::ProgramExit{1};
    });
}

void Program::CheckHost() {
    // Without a registry the deck stands for a compatible presentation program.
    if (registry_ && registry::GetOfficeVersion(*registry_) != "2003" &&
        dialogs_.msgBox(kVersionQuestion, forms::Buttons::OkCancel) == forms::Answer::Cancel)
        throw forms::ProgramExit{0};
    try {
        host_ = connector_.attach();
    } catch (const office::HostNotRunning&) {
        startNewInstance();
    } catch (const office::HostError& e) {
        dialogs_.msgBox(common::ShownText(e));
        ExitProgram(1);
    }
    try {
        host_->setVisible(true);
    } catch (const office::HostError&) {
    }
    MathTypeFound = registry_ ? registry::HasMathType(*registry_) : true;
}

void Program::startNewInstance() {
    try {
        host_ = connector_.startNew();
        host_->setVisible(true);
        host_->presentationsAdd(true);
        host_->activePresentation().slidesAdd(1, office::kLayoutBlank);
    } catch (const office::HostError& e) {
        host_.reset();
        dialogs_.msgBox(common::ShownText(e));
        ExitProgram(1);
    }
}

void Program::LoadSettings() {
    settings::ConfigDatabase db;
    AxisSettings = settings::LoadAxisSettings(db, env_.home);
}

office::Application& Program::host() {
    if (!host_) throw office::HostError(office::HostError::Sentence{}, common::messages::kNotConnected);
    return *host_;
}

void Program::commandDone(office::CommandScope& command) {
    try {
        command.done();
    } catch (const office::HostError& e) {
        reportSaveFailure(e);
    }
}

void Program::reportSaveFailure(const office::HostError& e) {
    const std::string text = common::ShownText(e);
    if (text == reportedSaveFailure_) return;
    reportedSaveFailure_ = text;
    dialogs_.msgBox(text);
}

void Program::ExitProgram(int status) {
    if (host_) {
        try {
            host_->save();
        } catch (const office::HostError& e) {
            reportSaveFailure(e);
            status = status == 0 ? 1 : status;
        }
        host_.reset();
    }
    throw forms::ProgramExit{status};
}

}  // namespace launch
