#pragma once

class LabelGeometry;
class Prompter;
class PrintFeedback;
class PrintLayout;
class PrintTarget;
class SymbolShapes;
struct MainModel;
struct PrintDestination;

// Prints the labels of `layout` (made from a plan of `model` that passed CheckRun) to
// `destination`, sheet after sheet through the sheet walk, each label where `geometry` (of the
// destination, in the print's frame) puts it, with the progress of a long run. A
// printer that fails, a printer that has gone away or a Cancel in the progress dialog throws the
// document away with a message (none for Cancel); the progress dialog, once shown, ends with the
// run however it ends, before any message. True when the document was printed to its end.
bool PrintLayoutTo(const MainModel& model, const PrintLayout& layout, const LabelGeometry& geometry,
                   const PrintDestination& destination, Prompter& prompter, PrintTarget& target,
                   PrintFeedback& feedback, SymbolShapes& shapes);
