#pragma once
// The graph workspace window on a new deck, with real widgets, as the program opens it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>

#include "platform/forms/qt/form_window.h"
#include "platform/office/pptx/deck_connector.h"
#include "quillon4ppt/graph/frm_graph.h"

namespace fs = std::filesystem;

struct FrmGraphWindowTest : ::testing::Test {
    // CTest runs the tests side by side: each has a deck of its own.
    fs::path dir = fs::path(QUILLON_SCREENSHOT_DIR) /
                   ("deck_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::path deck = dir / "window.pptx";
    forms::ScriptedDialogs dialogs;

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }

    // The window on a new deck, as the program opens it.
    void open() {
        connector_ = std::make_unique<office::pptx::DeckConnector>(deck.string(), 1);
        launch::Environment env;
        env.home = QUILLON_PROGRAM_DIR;
        program_ = std::make_unique<launch::Program>(env, dialogs, *connector_);
        program_->CheckHost();
        program_->LoadSettings();
        form_ = std::make_unique<graph::frmGraph>(*program_);
        window_ = std::make_unique<forms::qt::FormWindow>(*form_);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }
    void TearDown() override {
        window_.reset();
        form_.reset();
    }
    std::unique_ptr<office::pptx::DeckConnector> connector_;
    std::unique_ptr<launch::Program> program_;
    std::unique_ptr<graph::frmGraph> form_;
    std::unique_ptr<forms::qt::FormWindow> window_;

    static void type(QWidget* w, const QString& text) {
        ASSERT_NE(w, nullptr);
        w->setFocus();
        QTest::keyClicks(w, text);
    }
    static void press(QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(w, Qt::LeftButton);
    }
};
