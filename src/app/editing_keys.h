#pragma once

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
