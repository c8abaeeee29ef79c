#pragma once
// Registering the toolbar extension with LibreOffice for the user.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace setup {

// The extension's identifier, as its description.xml declares it.
constexpr const char* kExtensionIdentifier = "org.quillon.quillon4ppt";

class ToolbarRegistrar {
public:
    virtual ~ToolbarRegistrar() = default;
    // Registers the extension file, replacing an earlier registration; the reason
    // when it could not be registered.
    virtual std::optional<std::string> add(const std::filesystem::path& extension) = 0;
    // Removes the registration; nothing happens when there is none.
    virtual void remove() = 0;
};

// LibreOffice's unopkg: QUILLON_UNOPKG, else unopkg on the PATH. While it runs,
// whileWaiting is called every few milliseconds, so a window stays painted.
class UnopkgRegistrar : public ToolbarRegistrar {
public:
    explicit UnopkgRegistrar(std::function<void()> whileWaiting = {});
    std::optional<std::string> add(const std::filesystem::path& extension) override;
    void remove() override;

private:
    // The exit status of the program, or one of these.
    static constexpr int kNotStarted = -1, kAbnormal = -2;
    int run(const std::vector<std::string>& arguments);
    std::string program_;
    std::function<void()> whileWaiting_;
};

}  // namespace setup
