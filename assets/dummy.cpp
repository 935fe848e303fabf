// The pictures are linked in through the resource compiler; this unit only anchors the library.
