#pragma once

// Gives every window of the program the classic buttons of the table: the
// application's style becomes the classic style over the desktop's own.
void UseClassicLook();
