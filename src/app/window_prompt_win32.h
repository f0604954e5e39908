#pragma once

// Makes the windowed program answer the core's questions with the system's
// message boxes and the dialog SELECT.
void InstallWindowPrompt();
