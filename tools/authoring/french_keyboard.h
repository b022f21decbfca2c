// The characters a pupil can type on the standard Windows French keyboard.
#pragma once

// Whether a code page 1252 character can be put in the player's answer field with the Windows
// "Français" (AZERTY) layout: by a key at its base, Shift or AltGr level, or by a dead key and
// the letter it composes. Alt codes are left out: pupils do not know them.
bool FrenchKeyboardTypes(unsigned char cp1252);
