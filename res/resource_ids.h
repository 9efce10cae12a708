/* Resource identifiers shared by res/vyr.rc and the C++ code. Plain #defines
   with no includes, so that both the resource compiler and C++ read them. */
#ifndef VYR_RESOURCE_IDS_H
#define VYR_RESOURCE_IDS_H

/* The main icon keeps the lowest number: Explorer shows the first icon group. */
#define IDI_VYR 1

/* 16x16 button pictures, 24-bit; magenta (255,0,255) is the transparent colour. */
#define IDB_GO 101
#define IDB_SCAN 102

/* 93x93 emblem for the about box, drawn on black. */
#define IDB_ABOUT 103

/* 96x16 strip of six 16x16 drive-type pictures for an image list, magenta
   background, left to right in the order of the indexes below. */
#define IDB_DRIVES 104
#define VYR_DRIVE_IMAGE_REMOVABLE 0
#define VYR_DRIVE_IMAGE_FIXED 1
#define VYR_DRIVE_IMAGE_NETWORK 2
#define VYR_DRIVE_IMAGE_CDROM 3
#define VYR_DRIVE_IMAGE_RAMDISK 4
#define VYR_DRIVE_IMAGE_UNKNOWN 5
#define VYR_DRIVE_IMAGE_COUNT 6
#define VYR_DRIVE_IMAGE_SIZE 16

/* 16x16 pictures of the settings dialog's buttons, 24-bit, magenta key as
   above: the six small buttons of the command page, OK, Cancel and the
   history's clearing. */
#define IDB_EDIT 201
#define IDB_SEPARATOR 202
#define IDB_ADD 203
#define IDB_REMOVE 204
#define IDB_UP 205
#define IDB_DOWN 206
#define IDB_OK 207
#define IDB_CANCEL 208
#define IDB_CLEAR_HISTORY 209

/* The transparent colour of the button pictures and the strip, as a COLORREF. */
#define VYR_PICTURE_KEY_COLOUR 0x00FF00FF

#endif
