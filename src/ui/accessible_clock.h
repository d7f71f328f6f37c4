#pragma once

// How a screen reader reads the clock window: by the program's name, with the time as a
// person says it as its description, and the clock's menu as its action.
namespace accessible_clock {

// Makes Qt use it. Call once the QApplication exists.
void install();

} // namespace accessible_clock
