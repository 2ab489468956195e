#pragma once

class Prompter;
class PrintFeedback;
class PrintTarget;
struct MainModel;

// The print button: the whole run on the default printer, then the template on screen stored as the
// newest history record; when it cannot be stored the user is told once ("標籤已印出, 但這次的範本
// 沒有存進歷史紀錄: …"). A run that did not print to its end stores nothing. True when printed.
bool PrintButton(MainModel& model, Prompter& prompter, PrintTarget& target,
                 PrintFeedback& feedback);
