/*
 * system.h
 * FRC 8 MHz, RCDIV = 1:1, 4x PLL -> Fosc 32 MHz, FCY 16 MHz
 */
#ifndef SYSTEM_H
#define SYSTEM_H

#define FCY 16000000UL

#include <xc.h>
#include <libpic30.h>
#include <stdint.h>

#endif
