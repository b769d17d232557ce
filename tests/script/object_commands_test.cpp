// Objects made at run time by command 40.

#include <gtest/gtest.h>

#include <optional>

#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_button.h"
#include "objects/vx_shape.h"
#include "script/runner.h"
#include "tests/support/sim_fixture.h"
#include "util/error.h"

namespace vx {
namespace {

class ObjectCommandsTest : public ::testing::Test {
 protected:
  ObjectCommandsTest() {
    for (const char* name : {"One", "Two"}) project.AddPage(name).flags.hidden = true;
    test::InstallPresentation(desktop, project);
    app = StartPlayer(desktop.Platform());
    desktop.forms.FindByName("VX_APPLICATION_FORM1")->Show();
  }
  std::optional<std::string> Run(int page, const std::string& script) {
    try {
      DoActions(*app, app->forms[static_cast<std::size_t>(page - 1)].get(), script);
    } catch (const Error& e) {
      return std::string(e.what());
    }
    return std::nullopt;
  }
  PageObjects& Objects(int page) { return app->forms[static_cast<std::size_t>(page - 1)]->Components(); }

  tools::ProjectModel project;
  sim::SimDesktop desktop;
  std::unique_ptr<Application> app;
};

TEST_F(ObjectCommandsTest, ACircleNamedBallIsTheShapeObjBall) {
  EXPECT_EQ(Run(1, "40(\"Circle\",\"Ball\")"), std::nullopt);
  TVXObject* ball = Objects(1).Find("OBJball");
  ASSERT_NE(ball, nullptr);
  EXPECT_EQ(ball->Name, "OBJball");
  auto* shape = dynamic_cast<VxShapeObject*>(ball);
  ASSERT_NE(shape, nullptr);
  EXPECT_EQ(shape->Shape.Shape(), stEllipse);
  EXPECT_TRUE(ball->Visible());
  EXPECT_EQ(ball->Page(), &Objects(1));
}

TEST_F(ObjectCommandsTest, EveryKindWithAComponentIsMade) {
  EXPECT_EQ(Run(1, "40(\"TEXT\",\"t\")\r\n40(\"edit\",\"e\")\r\n40(\"button\",\"b\")\r\n40(\"image\",\"i\")\r\n"
                   "40(\"rectangle\",\"r\")\r\n40(\"line\",\"l\")\r\n40(\"hotspot\",\"h\")\r\n40(\"timer\",\"tick\")"),
            std::nullopt);
  for (const char* name : {"OBJt", "OBJe", "OBJb", "OBJi", "OBJr", "OBJl", "OBJh", "OBJtick"})
    EXPECT_NE(Objects(1).Find(name), nullptr) << name;
  EXPECT_EQ(dynamic_cast<VxShapeObject&>(*Objects(1).Find("OBJh")).Shape.Shape(), stHotSpot);
  EXPECT_EQ(dynamic_cast<VxShapeObject&>(*Objects(1).Find("OBJl")).Shape.Shape(), stLine);
  // The timer is made switched off.
  EXPECT_FALSE(Objects(1).Find("OBJtick")->Enabled());
}

TEST_F(ObjectCommandsTest, ObjectMethodsReachTheNewObjectByItsName) {
  EXPECT_EQ(Run(1, "40(\"button\",\"Go\")\r\n10(\"go\",\"\").12(\"Pressed\")\r\n"
                   "40(\"timer\",\"Tick\")\r\n10(\"tick\",\"\").12(\"Pressed\")"),
            std::nullopt);
  auto* button = dynamic_cast<TVXButton*>(Objects(1).Find("OBJgo"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Caption(), "Pressed");
}

TEST_F(ObjectCommandsTest, TheObjectGoesOnTheCurrentPage) {
  ASSERT_EQ(Run(1, "15(\"Two\")"), std::nullopt);
  EXPECT_EQ(Run(1, "40(\"text\",\"Late\")"), std::nullopt);
  EXPECT_NE(Objects(2).Find("OBJlate"), nullptr);
  EXPECT_EQ(Objects(1).Find("OBJlate"), nullptr);
}

TEST_F(ObjectCommandsTest, FailuresGiveTheCreationMessage) {
  EXPECT_EQ(Run(1, "40(\"Gizmo\",\"Thing\")"), "Line #1: Failed creating the component with name \"thing\".");
  EXPECT_EQ(Run(1, "40(\"circle\",\"Ball\")"), std::nullopt);
  const std::size_t count = Objects(1).InZOrder().size();
  EXPECT_EQ(Run(1, "40(\"text\",\"BALL\")"), "Line #1: Failed creating the component with name \"ball\".");
  EXPECT_EQ(Objects(1).InZOrder().size(), count);  // nothing half-made is left
}

}  // namespace
}  // namespace vx
