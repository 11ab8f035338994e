// The headless toolkit keeps the rules of the real one: program changes raise no events, user
// actions do, and a test cannot act where a user could not.

#include "gui/headless/headless_toolkit.h"

#include <gtest/gtest.h>

namespace {

using gui::Event;
using gui::EventKind;
using gui::GadgetEvent;

class HeadlessToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(toolkit_.openWindow({5, "test", 300, 200, gui::FrameStyle::Dialog, gui::kNoParent,
                                     gui::Placement::CentreOnScreen, false}));
    toolkit_.addTextField(5, 1, {0, 0, 100, 20});
    toolkit_.addComboBox(5, 2, {0, 30, 100, 20});
    toolkit_.addOption(5, 3, {0, 60, 50, 20}, "a", 1);
    toolkit_.addOption(5, 4, {50, 60, 50, 20}, "b", 1);
    toolkit_.addCheckBox(5, 5, {0, 90, 100, 20}, "c");
    toolkit_.addList(5, 6, {0, 120, 200, 60}, {{"one", 50}, {"two", 0}});
    toolkit_.addButton(5, 7, {0, 180, 80, 20}, "go");
    toolkit_.addItem(5, 2, "x", 10);
    toolkit_.addItem(5, 2, "y", 20);
  }
  gui::HeadlessToolkit toolkit_;
};

TEST_F(HeadlessToolkitTest, ProgramChangesRaiseNoEvents) {
  toolkit_.setText(5, 1, "12");
  toolkit_.selectItem(5, 2, 1);
  toolkit_.setChecked(5, 4, true);
  toolkit_.addRow(5, 6, 0, {"a", "b"}, {});
  toolkit_.clearRows(5, 6);
  EXPECT_FALSE(toolkit_.hasQueuedActions());
  EXPECT_EQ(toolkit_.text(5, 2), "y");
  EXPECT_EQ(toolkit_.itemData(5, 2, 1), 20);
  EXPECT_FALSE(toolkit_.checked(5, 3));
}

TEST_F(HeadlessToolkitTest, UserActionsQueueTheirEventsInOrder) {
  toolkit_.type(5, 1, "1,5");
  toolkit_.leave(5, 1);
  toolkit_.chooseItem(5, 2, "x");
  toolkit_.click(5, 4);
  toolkit_.click(5, 5);
  toolkit_.click(5, 7);
  toolkit_.pressClose(5);
  const std::vector<Event> expected = {
      {5, EventKind::Gadget, 1, GadgetEvent::Change},    {5, EventKind::Gadget, 1, GadgetEvent::LostFocus},
      {5, EventKind::Gadget, 2, GadgetEvent::Change},    {5, EventKind::Gadget, 2, GadgetEvent::LostFocus},
      {5, EventKind::Gadget, 4, GadgetEvent::LeftClick},
      {5, EventKind::Gadget, 5, GadgetEvent::LeftClick}, {5, EventKind::Gadget, 7, GadgetEvent::LeftClick},
      {5, EventKind::CloseRequest, 0, GadgetEvent::Other}};
  for (const Event& event : expected) EXPECT_EQ(toolkit_.waitEvent(), event);
  EXPECT_THROW(toolkit_.waitEvent(), gui::NoMoreEvents);
  EXPECT_EQ(toolkit_.text(5, 1), "1,5");
  EXPECT_TRUE(toolkit_.checked(5, 4));
  EXPECT_TRUE(toolkit_.checked(5, 5));
}

// As on screen, a click or a typing elsewhere takes the focus from the field that had it, and
// that field hears of it before the new action: "type 1500, click Подобрать" normalises first.
TEST_F(HeadlessToolkitTest, TheFocusMovesAsOnScreen) {
  toolkit_.type(5, 1, "1500");
  toolkit_.click(5, 7);       // a button: field 1 loses the focus first
  toolkit_.chooseItem(5, 2, "x");
  toolkit_.type(5, 1, "2");   // the drop-down list loses it to the field
  toolkit_.type(5, 1, "3");   // typing on in the same field moves nothing
  toolkit_.leave(5, 1);
  toolkit_.click(5, 7);       // nothing has the focus after leaving
  const std::vector<Event> expected = {
      {5, EventKind::Gadget, 1, GadgetEvent::Change},    {5, EventKind::Gadget, 1, GadgetEvent::LostFocus},
      {5, EventKind::Gadget, 7, GadgetEvent::LeftClick}, {5, EventKind::Gadget, 2, GadgetEvent::Change},
      {5, EventKind::Gadget, 2, GadgetEvent::LostFocus}, {5, EventKind::Gadget, 1, GadgetEvent::Change},
      {5, EventKind::Gadget, 1, GadgetEvent::Change},    {5, EventKind::Gadget, 1, GadgetEvent::LostFocus},
      {5, EventKind::Gadget, 7, GadgetEvent::LeftClick}};
  for (const Event& event : expected) EXPECT_EQ(toolkit_.waitEvent(), event);
  EXPECT_THROW(toolkit_.waitEvent(), gui::NoMoreEvents);
}

TEST_F(HeadlessToolkitTest, BoundClicksRunInsideTheWaitInsteadOfBeingReturned) {
  int clicks = 0;
  toolkit_.bindLeftClick(5, 7, [&] { ++clicks; });
  toolkit_.click(5, 7);
  EXPECT_EQ(clicks, 0);
  toolkit_.type(5, 1, "x");
  EXPECT_EQ(toolkit_.waitEvent().item, 1);
  EXPECT_EQ(clicks, 1);
}

TEST_F(HeadlessToolkitTest, UnreachableTargetsAndUnexpectedQuestionsThrow) {
  toolkit_.setEnabled(5, 1, false);
  EXPECT_THROW(toolkit_.type(5, 1, "x"), std::logic_error);
  EXPECT_THROW(toolkit_.chooseItem(5, 2, "z"), std::logic_error);
  EXPECT_THROW(toolkit_.selectRow(5, 6, 0), std::logic_error);  // no rows yet
  EXPECT_THROW(toolkit_.click(5, 99), std::logic_error);
  toolkit_.enableWindow(5, false);
  EXPECT_THROW(toolkit_.click(5, 7), std::logic_error);
  EXPECT_THROW(toolkit_.pressClose(5), std::logic_error);
  EXPECT_FALSE(toolkit_.hasQueuedActions());
  EXPECT_THROW(toolkit_.messageBox("c", "Sure?", gui::MessageButtons::YesNo), std::logic_error);
  EXPECT_EQ(toolkit_.messageBox("c", "Done.", gui::MessageButtons::Ok), gui::MessageAnswer::Ok);
  ASSERT_EQ(toolkit_.messages().size(), 2u);
  EXPECT_EQ(toolkit_.messages()[1].text, "Done.");
}

TEST_F(HeadlessToolkitTest, ListRowsKeepPositionsStylesAndSelection) {
  toolkit_.addRow(5, 6, 0, {"b", "hidden"}, {gui::Rgb{1, 2, 3}, std::nullopt});
  toolkit_.addRow(5, 6, 0, {"a"}, {});
  toolkit_.addRow(5, 6, 2, {"c", "x"}, {});
  toolkit_.selectRow(5, 6, 1);
  EXPECT_EQ(toolkit_.selectedRow(5, 6), 1);
  EXPECT_EQ(toolkit_.cellText(5, 6, 1, 1), "hidden");
  EXPECT_EQ(toolkit_.cellText(5, 6, 0, 1), "");
  EXPECT_EQ(toolkit_.gadget(5, 6).rowStyles[1].background, (gui::Rgb{1, 2, 3}));
  toolkit_.clearRows(5, 6);
  EXPECT_EQ(toolkit_.selectedRow(5, 6), gui::kNoSelection);
  EXPECT_EQ(toolkit_.rowCount(5, 6), 0);
}

}  // namespace
