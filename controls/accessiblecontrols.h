#pragma once

// Teaches Qt's accessibility what the program's own controls are: a card is
// a button when pressing it does something and a picture otherwise, a
// bevelled label is text that reads its caption, a panel a pane, an image a
// picture. Safe to call more than once; later calls do nothing.
void InstallControlAccessibility();
