#pragma once

class QString;
struct MainModel;

// The two keys that make typing a template fast. Both set model.focus_request to the control that
// takes the focus next ("l_content(4)", "add_block"), or leave it empty when the focus stays.

// Enter in row `row`: a content that is exactly one of the letters S, Q, N, G, M, R (either case)
// becomes its standard shipping-mark line. S, Q, N and G keep the focus in the row, so the user can
// type the figures; M, R and any other content move on to the next row, and from the last row to
// the add_block button (M and R there stay).
void ContentEnter(MainModel& model, int row);

// Up or Down let go in row `row`: the focus moves to the row above or below, if there is one. Any
// other key is left alone. The content is never touched.
void ContentArrowReleased(MainModel& model, int row, int key);

// Quick entry in the lines with a head, blanks and a tail ("Q'TY :          PCS."): the figures
// go into the blanks, and the tail keeps its column while blanks are left, so the tails of rows
// typed one under another stay lined up as on a printed form.

// Where the cursor stands in a row that Enter has just expanded: one blank after the head of a
// line with a tail, at the end of any other.
int QuickEntryCursor(const QString& text);

// How many characters from `cursor` the `typed` characters take the place of: blanks between the
// head and the tail, one for each character typed but never the last blank before the tail; none
// elsewhere, where typing inserts as usual.
int BlanksTypedOver(const QString& text, int cursor, int typed);
