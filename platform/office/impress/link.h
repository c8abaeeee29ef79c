#pragma once
// The connection to one running office through its UNO pipe, and the one place where
// UNO's exceptions become the object model's: HostError, or HostLost once the office
// is gone.
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <functional>
#include <memory>
#include <string>

#include "platform/office/host.h"

namespace office::impress {

namespace css = com::sun::star;
using css::uno::Reference;
namespace messages = common::messages;

class Link {
public:
    // HostNotRunning when nothing listens on the pipe.
    static std::shared_ptr<Link> open(const std::string& pipe);

    const Reference<css::frame::XDesktop2>& desktop() const { return desktop_; }
    const Reference<css::uno::XComponentContext>& context() const { return context_; }

    // Runs the UNO calls of one host call.
    template <typename Calls>
    auto call(Calls&& calls) -> decltype(calls()) {
        if (lost_) throw HostLost(kLostMessage);
        try {
            return calls();
        } catch (const css::uno::RuntimeException&) {
            failed();
        } catch (const css::uno::Exception&) {
            throw HostError(messages::kLiveRefused);
        }
    }
    // The presentation the tools work on: once the teacher closed it, the office counts
    // as gone too.
    void watch(const Reference<css::frame::XModel>& presentation) { watched_ = presentation; }

    bool lost() const { return lost_; }
    // The end of this program's part. LibreOffice does not end while a connection is
    // open, not even when the teacher closes its last window; an office left without a
    // window is ended here, as it would have ended by itself.
    void leave() noexcept;
    // Called once, when the office is found gone; it may end the program by throwing.
    void setLostHandler(std::function<void(const std::string&)> handler) { onLost_ = std::move(handler); }

    static constexpr const char* kLostMessage = common::messages::kConnectionLost;

private:
    static std::shared_ptr<Link> connect(const std::string& pipe);
    [[noreturn]] void failed();
    bool alive() const;

    Reference<css::uno::XComponentContext> context_;
    Reference<css::frame::XDesktop2> desktop_;
    Reference<css::frame::XModel> watched_;
    bool lost_ = false;
    std::function<void(const std::string&)> onLost_;
};

// UTF-8 and UNO strings.
rtl::OUString ou(const std::string& utf8);
std::string utf8(const rtl::OUString& text);

}  // namespace office::impress
