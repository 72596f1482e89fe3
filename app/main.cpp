// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "platform.h"
#include "zerkovanwidget.h"

int main(int argc, char *argv[])
{
    return zerkovan::RunProgram(argc, argv,
                                [] { return std::make_unique<zerkovan::ZerkovanWidget>(); });
}
