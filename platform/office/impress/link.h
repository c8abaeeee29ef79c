#pragma once
// The connection to one running office through its UNO pipe, and the one place where
// UNO's exceptions become the object model's: HostError, or HostLost once the office
// is gone.
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <functional>
#include <memory>
#include <string>

#include "platform/office/host.h"

namespace office::impress {

namespace css = com::sun::star;
using css::uno::Reference;

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
        } catch (const css::uno::RuntimeException& e) {
            failed(e.Message);
        } catch (const css::uno::Exception& e) {
            throw HostError(describe(e.Message));
        }
    }

    bool lost() const { return lost_; }
    // Called once, when the office is found gone; it may end the program by throwing.
    void setLostHandler(std::function<void(const std::string&)> handler) { onLost_ = std::move(handler); }

    static constexpr const char* kLostMessage = common::messages::kConnectionLost;

private:
    static std::shared_ptr<Link> connect(const std::string& pipe);
    [[noreturn]] void failed(const rtl::OUString& message);
    bool alive() const;
    static std::string describe(const rtl::OUString& message);

    Reference<css::uno::XComponentContext> context_;
    Reference<css::frame::XDesktop2> desktop_;
    bool lost_ = false;
    std::function<void(const std::string&)> onLost_;
};

// UTF-8 and UNO strings.
rtl::OUString ou(const std::string& utf8);
std::string utf8(const rtl::OUString& text);

}  // namespace office::impress
