// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "zerkovanwidget.h"

#include "layout.h"
#include "statictexts.h"
#include "twips.h"
#include "widgets.h"

#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <map>

namespace zerkovan {

namespace {

QColor colourOf(const layout::Colour &colour)
{
    return {colour.red, colour.green, colour.blue};
}

// Every size the program comes with, so that the toolkit picks the sharpest
// for the title bar, the task bar or a scaled screen.
QIcon programIcon()
{
    const QDir icons(QStringLiteral(":/zerkovan"), QStringLiteral("zerkovan-*.png"));
    std::map<int, QString> bySize;
    for (const QString &file : icons.entryList()) {
        const QString path = icons.filePath(file);
        bySize[QImageReader(path).size().width()] = path;
    }
    QIcon icon;
    for (const auto &[size, path] : bySize)
        icon.addFile(path, QSize(size, size));
    return icon;
}

} // namespace

ZerkovanWidget::ZerkovanWidget(QWidget *parent)
    : QWidget(parent),
      Label1{MakeLabel(this, TitleLabelCaption, colourOf(layout::LabelColour)),
             MakeLabel(this, RowLabelCaption, colourOf(layout::LabelColour))},
      Text2{MakeInputBox(this, RowLabelCaption), MakeReadOnlyBox(this, OutputBoxName)},
      Text1{MakeReadOnlyBox(this, TaskStatementBoxName), MakeReadOnlyBox(this, MottoBoxName)},
      Command1{MakeButton(this, DisplayButtonCaption, colourOf(layout::DisplayButtonColour)),
               MakeButton(this, ClearButtonCaption, colourOf(layout::ClearButtonColour))},
      m_verdict(new StatusNotice(this))
{
    setObjectName(QStringLiteral("Zerkovan"));
    setWindowTitle(QString::fromStdString(WindowCaption()));
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

void ZerkovanWidget::paintEvent(QPaintEvent *event)
{
    // Painted rather than set in the palette, which the text boxes would
    // inherit: they keep the system's colours.
    QPainter(this).fillRect(rect(), colourOf(layout::WindowColour));
    QWidget::paintEvent(event);
}

void ZerkovanWidget::placeControls()
{
    const qreal dpi = screen() ? screen()->logicalDotsPerInch() : 96.0;
    const auto pixels = [dpi](const layout::Twips &twips) {
        const layout::Twips place = PixelsOf(twips, dpi);
        return QRect(place.left, place.top, place.width, place.height);
    };
    Label1(0)->setGeometry(pixels(layout::Label1_0));
    Label1(1)->setGeometry(pixels(layout::Label1_1));
    Text2(0)->setGeometry(pixels(layout::Text2_0));
    Command1(0)->setGeometry(pixels(layout::Command1_0));
    Command1(1)->setGeometry(pixels(layout::Command1_1));
    Text2(1)->setGeometry(pixels(layout::Text2_1));
    Text1(0)->setGeometry(pixels(layout::Text1_0));
    Text1(1)->setGeometry(pixels(layout::Text1_1));
    setFixedSize(pixels(layout::ClientArea).size());
}

void ZerkovanWidget::setTabOrder()
{
    QWidget::setTabOrder(Text1(0), Text2(0));
    QWidget::setTabOrder(Text2(0), Text2(1));
    QWidget::setTabOrder(Text2(1), Command1(0));
    QWidget::setTabOrder(Command1(0), Command1(1));
}

void ZerkovanWidget::connectControls()
{
    for (Integer16 index = 0; index < Command1.size(); ++index) {
        connect(Command1(index), &QPushButton::clicked, this,
                [this, index] { DeliverClick(this, [this, index] { Command1_Click(index); }); });
    }
    connect(qobject_cast<QLineEdit *>(Text2(0)), &QLineEdit::returnPressed, Command1(0),
            &QPushButton::click);
}

} // namespace zerkovan
