#pragma once
// Fills the sheets of the seven channel pages: their row panels and their band panel, in the part of
// the page above the graph panel and left of the common band editor.

class TabSheet;

void BuildChannelPage(int page, TabSheet& sheet);
