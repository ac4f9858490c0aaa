// PIC18F47Q10 - project copied from the 32 MHz board; this board runs at 16 MHz
#include <xc.h>

#define _XTAL_FREQ 32000000

void EUSART1_Initialize(void)
{
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
