#pragma once
// What the window says besides its design texts: names a screen reader
// speaks for its fields (their row labels become the fields' buddies) and
// why its buttons that start disabled are so.

namespace zomar {

struct Form1Controls;

void describeForScreenReaders(Form1Controls &controls);

} // namespace zomar
