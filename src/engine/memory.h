#pragma once
// The memory register: store, M+, M-, +M, -M, recall and clear, with the "M" mark.

namespace sorba {

class WindowState;

void storeMemory(WindowState &calc);
void addToMemory(WindowState &calc);
void subtractFromMemory(WindowState &calc);
void addMemoryToReadout(WindowState &calc);
void subtractMemoryFromReadout(WindowState &calc);
void recallMemory(WindowState &calc);
void clearMemory(WindowState &calc);

} // namespace sorba
