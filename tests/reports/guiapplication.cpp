// The printouts measure and draw text, which needs a running Qt GUI application; the suites get
// one on the offscreen platform before their first test.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

namespace {

class GuiApplicationEnvironment final : public testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "korvex-tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> application_;
};

const testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);

}  // namespace
