#pragma once

class Prompter;
class PrintFeedback;
class PrintTarget;
struct MainModel;
struct PrinterFits;

// The print button 印吧: the run sequence for the whole run on the default printer with its fit
// from `fits` (a PDF file when there is none and the user wants one), then the template on screen
// stored as the newest history record; when it cannot be stored the user is told once
// ("標籤已印出, 但這次的範本沒有存進歷史紀錄: …"). A run that did not print to its end stores
// nothing. True when printed.
bool PrintButton(MainModel& model, Prompter& prompter, PrintTarget& target, PrintFeedback& feedback,
                 const PrinterFits& fits);
