// Start-up and the main window's handlers.
#pragma once

// Initialises the toolkit, creates ConnectionKeyList, shows MainWindow and runs the message loop
// until the window is closed. Always returns 0.
int StartProgram();

void OnWindowCreated();
void OnConnectionSelected();
