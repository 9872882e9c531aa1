/* The pictures of the main toolbar (images/toolbar.bmp, 24 x 23 each), in the
   order of the strip: images/draw.py reads the names below, in this order,
   to draw it, and the toolbar's buttons name their picture from here. The
   tooltip texts (IDS_TOOLBARSTRINGS) stand in the same order. */
#ifndef SORA_TOOLBAR_PICTURES_H
#define SORA_TOOLBAR_PICTURES_H

enum ToolbarPicture {
    TOOLBAR_PIC_SWITCH,   /* main / resource pane switch */
    TOOLBAR_PIC_SAVE,     /* overwrite */
    TOOLBAR_PIC_FONT,
    TOOLBAR_PIC_COPY,
    TOOLBAR_PIC_CUT,
    TOOLBAR_PIC_PASTE,
    TOOLBAR_PIC_UNDO,
    TOOLBAR_PIC_COLOUR,   /* colouring */
    TOOLBAR_PIC_CAPTURE,  /* screen capture */
    TOOLBAR_PIC_COMPILE,
    TOOLBAR_PIC_NEXT,     /* next function */
    TOOLBAR_PIC_FUNCTOP,  /* start of the function */
    TOOLBAR_PIC_START,    /* start of the text ("Top") */
    TOOLBAR_PIC_END,      /* end of the text */
    TOOLBAR_PIC_LIST,     /* function list */
    TOOLBAR_PIC_RCLIST,   /* resource list, shown with the resource pane */
    TOOLBAR_PIC_COUNT
};

#endif
