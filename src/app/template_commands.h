#pragma once

class Prompter;
struct MainModel;

// Commands on the label template as a whole.

// Every content with its size and both row choices move one row up; the content of the first row
// is lost and the last row becomes empty and 一般. The alignments stay where they are.
void MoveRowsUp(MainModel& model);

// Every content with its size and both row choices move one row down; the content of the last row
// is lost and the first row becomes empty and 一般.
void MoveRowsDown(MainModel& model);

// Throws the whole job away after the user has said Yes: the block table, the block fields, the
// rows and the choices, then runs the start-up sequence again. The mixed flag and the picture
// settings stay.
void Refresh(MainModel& model, Prompter& prompter);
