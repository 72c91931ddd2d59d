#pragma once
// The era-names menu: whether the conversions and the era keys know Reiwa.

namespace sorba {

class WindowState;

/// Entry 0 keeps Heisei going, as the program always has; entry 1 uses Reiwa from 2019 on.
/// Takes effect at once and is stored.
void chooseEraNames(WindowState &calc, int entry);
/// Start-up: the stored choice with its check mark; anything but "1" is entry 0.
void applyStoredEraNames(WindowState &calc);

} // namespace sorba
