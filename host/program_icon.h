#pragma once
// The program's icon. Explorer shows a program's lowest-numbered icon group; the settings dialog
// uses the same resource as its window icon.
#define kProgramIcon 1
