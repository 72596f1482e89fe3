// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The resources' identifiers, shared by the resource script and the code.
// The lowest icon is the one Explorer shows for the file.
#pragma once

#define ProgramIcon 1
