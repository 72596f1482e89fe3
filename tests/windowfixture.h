// A main window shown for one test function, and the moves a user makes on it.
#pragma once

#include "textbox.h"
#include "zerkovan.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

class WindowFixture
{
public:
    bool open()
    {
        m_window = std::make_unique<zerkovan::Zerkovan>();
        m_window->show();
        return QTest::qWaitForWindowExposed(m_window.get());
    }
    void close() { m_window.reset(); }

    zerkovan::Zerkovan &window() const { return *m_window; }
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
    std::unique_ptr<zerkovan::Zerkovan> m_window;
};
