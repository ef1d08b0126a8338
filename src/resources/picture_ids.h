#pragma once
// Resource numbers of the product's pictures, shared by pictures.rc and the code that loads them.
#define QUILLANE_ICON 1
#define QUILLANE_PREVIEW_PICTURE 200
#define QUILLANE_MARK_UNSELECTED 201
#define QUILLANE_MARK_SELECTED 202
