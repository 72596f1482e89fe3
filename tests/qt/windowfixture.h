// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// A main window shown for one test function, and the moves a user makes on it.
#pragma once

#include "textbox.h"
#include "zerkovanwidget.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

// A control of `w` by its name, "Text2(0)"; "window" is the window itself.
inline QWidget *ControlNamed(zerkovan::ZerkovanWidget &w, const QString &name)
{
    const QHash<QString, QWidget *> controls{{QStringLiteral("window"), &w},
                                             {QStringLiteral("Label1(0)"), w.Label1(0)},
                                             {QStringLiteral("Label1(1)"), w.Label1(1)},
                                             {QStringLiteral("Text2(0)"), w.Text2(0)},
                                             {QStringLiteral("Text2(1)"), w.Text2(1)},
                                             {QStringLiteral("Text1(0)"), w.Text1(0)},
                                             {QStringLiteral("Text1(1)"), w.Text1(1)},
                                             {QStringLiteral("Command1(0)"), w.Command1(0)},
                                             {QStringLiteral("Command1(1)"), w.Command1(1)}};
    return controls.value(name);
}

class WindowFixture
{
public:
    bool open()
    {
        m_window = std::make_unique<zerkovan::ZerkovanWidget>();
        m_window->show();
        return QTest::qWaitForWindowExposed(m_window.get());
    }
    void close() { m_window.reset(); }

    zerkovan::ZerkovanWidget &window() const { return *m_window; }
    QWidget *control(const QString &name) const { return ControlNamed(*m_window, name); }
    QLineEdit *input() const { return qobject_cast<QLineEdit *>(m_window->Text2(0)); }
    QString outputText() const
    {
        return QString::fromStdString(zerkovan::TextOf(m_window->Text2(1)));
    }

    // Replaces the input with text typed key by key.
    void type(const QString &text)
    {
        input()->clear();
        QTest::keyClicks(input(), text);
    }
    void click(zerkovan::Integer16 index)
    {
        QTest::mouseClick(m_window->Command1(index), Qt::LeftButton);
    }

private:
    std::unique_ptr<zerkovan::ZerkovanWidget> m_window;
};
