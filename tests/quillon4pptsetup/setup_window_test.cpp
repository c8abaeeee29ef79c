// The setup program's windows as a teacher sees them: real widgets, off screen.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "quillon4pptsetup/setup_windows.h"

namespace fs = std::filesystem;
using namespace setup;

namespace {

struct NoToolbar : ToolbarRegistrar {
    std::optional<std::string> add(const fs::path&) override { return std::nullopt; }
    void remove() override {}
};

struct SetupWindowTest : ::testing::Test {
    fs::path dir = fs::path(QUILLON_SCREENSHOT_DIR) / "setup";
    forms::qt::QtDialogs dialogs;
    NoToolbar toolbar;
    std::unique_ptr<SetupProgram> program;
    std::unique_ptr<SetupWindows> windows;

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir / "settings");
        fs::copy_file(fs::path(QUILLON_PROGRAM_DIR) / "config.mdb", dir / "settings/config.mdb");
        SetupPaths paths{dir / "source", dir / "installed", dir / "config", dir / "settings"};
        program = std::make_unique<SetupProgram>(paths, dialogs, toolbar);
        windows = std::make_unique<SetupWindows>(*program, dialogs);
    }
    void TearDown() override {
        windows.reset();
        program.reset();
    }
    forms::qt::FormWindow& shown() {
        forms::qt::FormWindow* view = windows->viewOf(*program->window());
        EXPECT_NE(view, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view));
        return *view;
    }
    template <typename W>
    static W* widget(forms::qt::FormWindow& view, const std::string& name) {
        auto* w = dynamic_cast<W*>(view.widgetOf(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
};

TEST_F(SetupWindowTest, FromTheInstallerToTheSettingsAndBack) {
    program->Main("");
    forms::qt::FormWindow& main = shown();
    EXPECT_EQ(main.windowTitle().toStdString(), "《Quillon》安装及配置程序");
    int x[4];
    for (int i = 0; i < 4; ++i) x[i] = widget<QPushButton>(main, "Command1(" + std::to_string(i) + ")")->x();
    EXPECT_LT(x[0], x[1]);
    EXPECT_LT(x[1], x[3]) << "删除 stands before 退出";
    EXPECT_LT(x[3], x[2]);
    main.grab().save(QString::fromStdString((dir / "frmMain.png").string()));

    QTest::mouseClick(widget<QPushButton>(main, "Command1(1)"), Qt::LeftButton);
    ASSERT_EQ(program->window()->name(), "frmConfig");
    forms::qt::FormWindow& config = shown();
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(widget<QLineEdit>(config, "Text1(0)")->text().toStdString(), "2");
    EXPECT_EQ(widget<QComboBox>(config, "Combo1")->currentText().toStdString(), "2");
    EXPECT_TRUE(widget<QRadioButton>(config, "optYtxt(0)")->isChecked());
    EXPECT_TRUE(widget<QRadioButton>(config, "optYkd(1)")->isChecked());
    config.grab().save(QString::fromStdString((dir / "frmConfig.png").string()));

    config.close();
    ASSERT_EQ(program->window()->name(), "frmMain") << "closing the editor shows the installer window";
    EXPECT_TRUE(shown().isVisible());
    EXPECT_FALSE(config.isVisible());
}

}  // namespace
