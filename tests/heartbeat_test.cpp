#include "heartbeat/heartbeat.hpp"
#include "fixture.hpp"

namespace tovalin::test {
namespace {

using HeartbeatTest = ProgramTest;

TEST_F(HeartbeatTest, EachBeatSwapsTheTwoHearts) {
  start();
  Form1& f = form();
  Heartbeat& heart = program->heartbeat();
  for (int beat = 1; beat <= 4; ++beat) {
    heart.beat();
    EXPECT_EQ(f.Image1->isHidden(), beat % 2 == 1) << beat;
    EXPECT_NE(f.Image1->isHidden(), f.Image2->isHidden()) << beat;
  }
}

TEST_F(HeartbeatTest, TickingStartsAndUntickingStops) {
  start();
  Form1& f = form();
  f.Text1->setFocus();
  f.Check1->setChecked(true);
  EXPECT_TRUE(f.Timer3->isActive());
  EXPECT_EQ(f.Timer3->interval(), 1000);  // no week has set a pace yet
  EXPECT_EQ(f.focusWidget(), f.Text3);
  f.Text1->setFocus();
  f.Check1->setChecked(false);
  EXPECT_FALSE(f.Timer3->isActive());
  EXPECT_EQ(f.focusWidget(), f.Text3);
}

TEST_F(HeartbeatTest, StoppingLeavesWhicheverHeartShows) {
  start();
  Form1& f = form();
  f.Check1->setChecked(true);
  program->heartbeat().beat();
  f.Check1->setChecked(false);
  EXPECT_TRUE(f.Image1->isHidden());
  EXPECT_FALSE(f.Image2->isHidden());
  f.Check1->setChecked(true);
  program->heartbeat().beat();
  EXPECT_FALSE(f.Image1->isHidden());
  EXPECT_TRUE(f.Image2->isHidden());
}

TEST_F(HeartbeatTest, ANewWeekChangesThePaceOfABeatingHeart) {
  start();
  Form1& f = form();
  f.Combo1->setCurrentIndex(9);  // week 10: 188 ms
  f.Check1->setChecked(true);
  f.Combo1->setCurrentIndex(19);  // week 20: 200 ms
  EXPECT_TRUE(f.Timer3->isActive());
  EXPECT_EQ(f.Timer3->interval(), 200);
  // After the first weeks stopped it, the box still starts it at the last pace.
  f.Combo1->setCurrentIndex(1);
  EXPECT_FALSE(f.Timer3->isActive());
  f.Check1->setChecked(true);
  EXPECT_TRUE(f.Timer3->isActive());
  EXPECT_EQ(f.Timer3->interval(), 200);
}

TEST_F(HeartbeatTest, TheCountdownUndoesATickWhileThereIsNoProgress) {
  start();
  Form1& f = form();
  f.Check1->setChecked(true);  // the box is empty: progress is zero
  EXPECT_TRUE(f.Timer3->isActive());
  tick();
  EXPECT_FALSE(f.Check1->isChecked());
  EXPECT_FALSE(f.Timer3->isActive());
  // With a due date in range the heart keeps beating.
  f.Text1->setText(QStringLiteral("06/15/2025"));
  f.Check1->setChecked(true);
  tick();
  EXPECT_TRUE(f.Check1->isChecked());
  EXPECT_TRUE(f.Timer3->isActive());
}

}  // namespace
}  // namespace tovalin::test
