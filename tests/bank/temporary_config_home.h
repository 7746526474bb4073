#pragma once
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/config_file.h"
#include "support/fake_desktop.h"

namespace zorva {

// Every test that touches the saved-game file gets a configuration folder of its own, never the real
// home, a fixed date, and a desktop that records its messages instead of opening boxes.
class TemporaryConfigHome : public ::testing::Test {
  protected:
    void SetUp() override {
        home_ = std::make_unique<QTemporaryDir>(ParentFolder() + "/zorva-test-XXXXXX");
        ASSERT_TRUE(home_->isValid());
        setenv("XDG_CONFIG_HOME", Home().c_str(), 1);
        desktop_.Answer = [this](TMessageKind kind, const std::string& text) {
            messages_.emplace_back(kind, text);
            return false;
        };
    }

    virtual QString ParentFolder() const { return QDir::tempPath(); }

    std::string Home() const { return home_->path().toStdString(); }
    std::string Folder() const { return Home() + "/zorva"; }
    std::string FilePath() const { return Folder() + "/Zorva.ini"; }

    std::unique_ptr<QTemporaryDir> home_;
    testing::TFakeDesktop desktop_;
    std::vector<std::pair<TMessageKind, std::string>> messages_;
};

} // namespace zorva
