#pragma once

// How a control inside a group follows the group when the layout pass resizes it; kept in the
// control's "anchor" property.
enum Anchor { AnchorNone = 0, AnchorRight = 1, Stretch = 2, StretchBoth = 3 };
