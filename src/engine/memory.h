#pragma once
// The memory register: store, M+, M-, +M, -M, recall and clear, with the "M" mark.

namespace sorba {

class Calculator;

void storeMemory(Calculator &calc);
void addToMemory(Calculator &calc);
void subtractFromMemory(Calculator &calc);
void addMemoryToReadout(Calculator &calc);
void subtractMemoryFromReadout(Calculator &calc);
void recallMemory(Calculator &calc);
void clearMemory(Calculator &calc);

} // namespace sorba
