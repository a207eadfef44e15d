#pragma once

class TTextMemory;

// Translates the texts of every existing widget and action anew into the
// language now installed: captions, titles, tab and item texts, tooltips and
// accessible names that the memory knows the source of. Texts it does not
// know (names, numbers, texts with figures filled in) are left as they are.
void RetranslateOpenWindows(const TTextMemory& memory);
