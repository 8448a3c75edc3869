// The checker's resource ids.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_TOVRIN_DIALOG 102
#define IDR_MAINFRAME 128
#define IDC_DROP_HINT 1000
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
