#include "notes/form3.hpp"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "app/controls.hpp"

namespace tovalin {

Form3::Form3(QWidget* owner) : QWidget(owner, Qt::Tool) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Tovalin (My Notes)"));
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kClientWidth, kClientHeight);
  move(Px(4545), Px(3555));

  Text1 = new QPlainTextEdit(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setGeometry(TwipsRect(0, 0, 4755, 5055));
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Text1->setFont(DesignFont(12, false));
  Text1->setTabChangesFocus(false);
  Text1->setAccessibleName(QStringLiteral("My notes"));
  const QColor white(Qt::white);
  QPalette palette = Text1->palette();
  palette.setColor(QPalette::Base, white);
  Text1->setPalette(palette);
  setNotesText(initialText());
}

QString Form3::initialText() {
  return QStringLiteral(
      "Use this area to keep notes about your \r\n"
      "pregnancy or for a list of questions you \r\n"
      "have for your doctor or anything else you want to keep notes about.\r\n");
}

QString Form3::notesText() const {
  // The raw text keeps every character as typed (toPlainText() would turn
  // no-break spaces into spaces); only the line breaks are written as CR LF.
  QString text = Text1->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text;
}

void Form3::setNotesText(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  Text1->setPlainText(shown);
}

void Form3::closeEvent(QCloseEvent* event) {
  if (canClose && !canClose()) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace tovalin
