/*
 * system.h - clock of the target board.
 * This folder holds only the UART1 driver; the application project
 * supplies the configuration bits.
 */
#ifndef SYSTEM_H
#define SYSTEM_H

#define _XTAL_FREQ 16000000UL

#endif
