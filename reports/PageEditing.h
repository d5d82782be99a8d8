#pragma once

// What the page designer does to a page and its selection, and where the report list
// puts and moves pages. The designer's editor only routes the mouse, keys and menus
// here and draws the result; recording each step for undo stays with it.
//
// An operation that finds nothing to move leaves the page as it was, unmodified.

#include <QByteArray>

class TPage;
class TPageItem;
class TReport;

// Items: the order the selected items take among the others stays theirs.

void DeleteSelectedItems(TPage& page);
// Selected items become the last drawn (front) or the first (back).
void BringSelectedToFront(TPage& page);
void SendSelectedToBack(TPage& page);
// The item list's drop: moves the selected items to the place of the item at
// targetIndex, walking from the last item to the first when fromAbove. An index off
// the page does nothing.
void MoveSelectedTo(TPage& page, int targetIndex, bool fromAbove);

// Lines the selected items up with the current (last selected) item, or gives them its
// size; nothing with fewer than two selected.
enum class TItemAlign { Left, Right, Top, Bottom, HorizontalCentre, VerticalCentre, SameWidth, SameHeight };
void AlignSelected(TPage& page, TItemAlign how);

// Moves the selected items by dx, dy millimetres.
void MoveSelectedBy(TPage& page, double dx, double dy);
// A drag under way: puts every selected item at its drag origin (StoreDragOrigins)
// less dx, dy millimetres.
void MoveSelectedFromOrigins(TPage& page, double dx, double dy);
// A drag of the edges flags (HitLeft ...) of item to x, y millimetres. An edge dragged
// across the opposite one becomes that edge, so sizes stay positive; the flags that
// hold then are returned. On a narrow item holding both edges the left (top) one moves.
int ResizeItemTo(TPageItem& item, double x, double y, int flags);

// The clipboard: a "Page" document of the page's properties and items, or of the
// selected items alone (the class names of the items are its type tags).
QByteArray PageDocument(const TPage& page, bool selectedOnly);
// Whether bytes hold such a document.
bool IsPageDocument(const QByteArray& bytes);
// Adds the items of a page document to page and selects them; a whole page brings its
// properties (and size) along. Pasted items keep their names where the page has none
// such. False, and nothing changed, without a page document. Items read before a
// damaged one stay ("Class %1 not found").
bool PasteItems(TPage& page, const QByteArray& bytes);

// Pages of a report keep the order of their types: opening, inner, closing.

// Where a new page of pageType goes: after every page of its type or before.
int NewPagePosition(const TReport& report, int pageType);
// Inserts the page of a page document after the last opening page and returns its
// index; -1, and nothing inserted, without a page document.
int PastePage(TReport& report, const QByteArray& bytes);
// Whether the page at from may move to the place of the page at to (the report
// list's drag and its up and down commands): another page of the same type.
bool CanMovePage(const TReport& report, int from, int to);
