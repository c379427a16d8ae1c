// The files linked into the program; the table is generated at build time.
#pragma once

// Registers every built-in file as "incbin::NAME"; returns how many were registered.
int RegisterBuiltInFiles();
