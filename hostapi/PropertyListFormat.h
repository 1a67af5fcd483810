// The property list resource through which the host finds a plug-in's kind, interface version
// and entry point before it runs any of its code. Plain macros: resource scripts include this.
#pragma once

// The property list is the module resource of type PLST with this id.
#define kPropertyListResourceTypeName "PLST"
#define kPropertyListResourceID 16000

// Layout, all numbers 32-bit little-endian:
//   version (0), property count,
//   then per property: vendor, key, id, data length in bytes, data padded to a multiple of 4.
// String data is NUL-terminated UTF-8 inside its length.
#define kPropertyListVersion 0
#define kPropertyVendorHost 0x484F5354L       /* 'HOST' */
#define kPropertyKind 0x6B696E64L             /* 'kind': data is a 32-bit code */
#define kPropertyKindSPEA 0x53504541L         /* 'SPEA': a host plug-in */
#define kPropertyInterfaceVersion 0x69767273L /* 'ivrs': data is a 32-bit number */
#define kPropertyWin64Code 0x77783634L        /* 'wx64': data is the entry point's name */
#define kPropertyPluginName 0x706E616DL       /* 'pnam': data is a display name */
#define kPropertyInterfaceVersion2 2L
