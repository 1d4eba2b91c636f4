#include <QDesktopServices>
#include <QTest>

#include "about/links.hpp"
#include "fixture.hpp"

namespace tovalin::test {
namespace {

class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened << url; }
};

using LinksTest = ProgramTest;

TEST_F(LinksTest, EachLinkOpensItsPageEveryTime) {
  start();
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
  QTest::mouseClick(form().Label20, Qt::LeftButton);
  QTest::mouseClick(form().Label21, Qt::LeftButton);
  QTest::mouseClick(form().Label20, Qt::LeftButton);
  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  ASSERT_EQ(catcher.opened.size(), 3);
  EXPECT_EQ(catcher.opened[0], Links::pregnancyPage());
  EXPECT_EQ(catcher.opened[1], Links::toddlerPage());
  EXPECT_EQ(catcher.opened[2], Links::pregnancyPage());
  for (const QUrl& url : catcher.opened) EXPECT_EQ(url.scheme(), "https");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(LinksTest, SaysSoWhenNoBrowserCanBeStarted) {
  start();  // offscreen, nothing can open a page
  QTest::mouseClick(form().Label21, Qt::LeftButton);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, "warning");
  EXPECT_TRUE(dialogs.shown[0].text.contains(Links::toddlerPage().toString()));
}

TEST_F(LinksTest, TheAboutBoxText) {
  start();
  QTest::mouseClick(form().Label18, Qt::LeftButton);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, "information");
  EXPECT_EQ(dialogs.shown[0].title, "About Tovalin");
  const QStringList parts = dialogs.shown[0].text.split(QStringLiteral("\n\n"));
  ASSERT_EQ(parts.size(), 3);
  EXPECT_EQ(parts[0], "Tovalin (Version 1.0)");
  EXPECT_EQ(parts[1],
            "All information provided in this software is for the purpose of education and "
            "information only and is not a replacement or substitute for consultations with your "
            "medical practitioner.");
  EXPECT_FALSE(parts[2].isEmpty());
  EXPECT_FALSE(parts[2].contains(QLatin1Char('\n')));  // one line, no line break at the end
}

}  // namespace
}  // namespace tovalin::test

#include "links_test.moc"
