/*
    eusart1.c - EUSART1 driver for PIC16F18346 (written in the style of the
    code configurator output; clock set in the project, not in this file)
*/
#include <xc.h>
#include "eusart1.h"

void EUSART1_Initialize(void)
{
    // disable interrupts before changing states
    PIE1bits.RCIE = 0;
    PIE1bits.TXIE = 0;

    // ABDOVF no_overflow; SCKP Non-Inverted; BRG16 16bit_generator; WUE disabled; ABDEN disabled;
    BAUD1CON = 0x08;

    // SPEN enabled; RX9 8-bit; CREN enabled; ADDEN disabled; SREN disabled;
    RC1STA = 0x90;

    // TX9 8-bit; TX9D 0; SENDB sync_break_complete; TXEN enabled; SYNC asynchronous; BRGH hi_speed; CSRC slave;
    TX1STA = 0x24;

    // SP1BRGL 68;
    SP1BRGL = 0x44;

    // SP1BRGH 0;
    SP1BRGH = 0x00;
}
