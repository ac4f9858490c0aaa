PROCESSOR 16F18446
#include <xc.inc>

; EUSART1, 9600 baud, HFINTOSC at 4 MHz
PSECT code
uart_init:
    BANKSEL(SP1BRGL)
    movlw   25                  ; pic-as: plain numbers are decimal
    movwf   BANKMASK(SP1BRGL)
    clrf    BANKMASK(SP1BRGH)
    BANKSEL(TX1STA)
    movlw   0x24                ; TXEN, BRGH
    movwf   BANKMASK(TX1STA)
    movlw   0x90                ; SPEN, CREN
    movwf   BANKMASK(RC1STA)
    return
