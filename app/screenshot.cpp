// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Makes the README's picture: the window after displaying 4, saved as PNG.
#include "platform.h"
#include "zerkovanwidget.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: zerkovan-screenshot OUTPUT.png\n", stderr);
        return 2;
    }
    QApplication application(argc, argv);
    zerkovan::PrepareApplication();
    zerkovan::ZerkovanWidget window;
    window.show();
    qobject_cast<QLineEdit *>(window.Text2(0))->setText(QStringLiteral("4"));
    window.Command1(0)->click();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "zerkovan-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
