#ifndef SYSTEM_H
#define SYSTEM_H
#define _XTAL_FREQ 64000000UL
#define BAUD 115200UL
#endif
