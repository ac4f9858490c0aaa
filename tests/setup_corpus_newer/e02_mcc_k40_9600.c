// eusart1.c - MCC, PIC18F46K40, Fosc = 64 MHz
#include <xc.h>

void EUSART1_Initialize(void)
{
    // ABDOVF no_overflow; SCKP Non-Inverted; BRG16 16bit_generator; WUE disabled; ABDEN disabled; 
    BAUD1CON = 0x08;
    // SPEN enabled; RX9 8-bit; CREN enabled; ADDEN disabled; SREN disabled; 
    RC1STA = 0x90;
    // TX9 8-bit; TX9D 0; SENDB sync_break_complete; TXEN enabled; SYNC asynchronous; BRGH hi_speed; CSRC slave; 
    TX1STA = 0x24;
    // SP1BRGL 130; 
    SP1BRGL = 0x82;
    // SP1BRGH 6; 
    SP1BRGH = 0x06;
}
