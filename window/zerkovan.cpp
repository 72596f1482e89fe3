#include "zerkovan.h"

#include "controls.h"
#include "maker.h"
#include "platform.h"
#include "statictexts.h"
#include "textbox.h"
#include "twips.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace zerkovan {

namespace {

constexpr QSize ClientAreaTwips(7215, 6360);
const QColor WindowColour(192, 192, 255);
const QColor LabelColour(255, 192, 128);
const QColor DisplayButtonColour(128, 255, 128);
const QColor ClearButtonColour(255, 0, 0);

// Every size, so that the toolkit picks the sharpest for the title bar, the
// task bar or a scaled screen; the 32-pixel one is the hand-drawn icon.
QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/zerkovan/zerkovan-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

Zerkovan::Zerkovan(QWidget *parent)
    : QWidget(parent),
      Label1{MakeLabel(this, TitleLabelCaption, LabelColour),
             MakeLabel(this, RowLabelCaption, LabelColour)},
      Text2{MakeInputBox(this, RowLabelCaption), MakeReadOnlyBox(this, "Резултат")},
      Text1{MakeReadOnlyBox(this, "Условие на задачата"), MakeReadOnlyBox(this, "Мото")},
      Command1{MakeButton(this, DisplayButtonCaption, DisplayButtonColour),
               MakeButton(this, ClearButtonCaption, ClearButtonColour)}
{
    setObjectName(QStringLiteral("Zerkovan"));
    setWindowTitle(QString::fromLatin1(MakerAddress) + QString::fromUtf8(CaptionAfterAddress));
    setWindowIcon(programIcon());
    // Only minimise and close: the layout has one size.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(WindowFont());

    Label1(1)->setBuddy(Text2(0));
    AssignText(Text1(0), TaskStatement);
    AssignText(Text1(1), Motto);
    Text1(1)->hide();

    placeControls();
    setTabOrder();
    connectControls();
    Text1(0)->setFocus();
}

void Zerkovan::paintEvent(QPaintEvent *event)
{
    // Painted rather than set in the palette, which the text boxes would
    // inherit: they keep the system's colours.
    QPainter(this).fillRect(rect(), WindowColour);
    QWidget::paintEvent(event);
}

void Zerkovan::placeControls()
{
    const qreal dpi = screen() ? screen()->logicalDotsPerInch() : 96.0;
    const auto place = [dpi](QWidget *control, int left, int top, int width, int height) {
        control->setGeometry(TwipsToPixels(QRect(left, top, width, height), dpi));
    };
    place(Label1(0), 960, 0, 5415, 375);
    place(Label1(1), 120, 600, 1575, 375);
    place(Text2(0), 1680, 600, 1575, 405);
    place(Command1(0), 3840, 600, 1095, 375);
    place(Command1(1), 5760, 600, 1095, 375);
    place(Text2(1), 120, 1200, 6855, 2325);
    place(Text1(0), 120, 3720, 6855, 2535);
    place(Text1(1), 600, 4680, 6735, 1815);
    setFixedSize(TwipsToPixels(ClientAreaTwips.width(), dpi),
                 TwipsToPixels(ClientAreaTwips.height(), dpi));
}

void Zerkovan::setTabOrder()
{
    QWidget::setTabOrder(Text1(0), Text2(0));
    QWidget::setTabOrder(Text2(0), Text2(1));
    QWidget::setTabOrder(Text2(1), Command1(0));
    QWidget::setTabOrder(Command1(0), Command1(1));
}

void Zerkovan::connectControls()
{
    for (Integer16 index = 0; index < Command1.size(); ++index) {
        connect(Command1(index), &QPushButton::clicked, this,
                [this, index] { DeliverClick(this, [this, index] { Command1_Click(index); }); });
    }
    connect(qobject_cast<QLineEdit *>(Text2(0)), &QLineEdit::returnPressed, Command1(0),
            &QPushButton::click);
}

void Zerkovan::Command1_Click(Integer16 Index)
{
    if (Index == 0)
        ShowTriangle();
    else if (Index == 1)
        ClearBoxes();
}

void Zerkovan::ShowTriangle()
{
    m_state.input = TextOf(Text2(0));
    try {
        zerkovan::ShowTriangle(m_state, DecimalSeparator());
    } catch (...) {
        // The box shows what the failed run left, as the state holds it.
        AssignText(Text2(1), m_state.output);
        throw;
    }
    AssignText(Text2(1), m_state.output);
}

void Zerkovan::ClearBoxes()
{
    for (Integer16 i = 0; i <= 1; ++i)
        AssignText(Text2(i), "");
    m_state.input.clear();
    m_state.output.clear();
    m_state.FoundFlag = NotSeen;
}

} // namespace zerkovan
