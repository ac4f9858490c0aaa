; PIC18F26K40, pic-as (MPLAB XC8 PIC Assembler)
PROCESSOR 18F26K40
#include <xc.inc>

; 8 MHz, 9600 baud, 16-bit generator with BRGH
PSECT code
init_uart1:
    banksel BAUD1CON
    bsf     BAUD1CON, 3, b      ; BRG16
    movlw   0
    movwf   SP1BRGH, b
    movlw   207
    movwf   SP1BRGL, b
    movlw   00100100B           ; TXEN, BRGH
    movwf   TX1STA, b
    movlw   10010000B           ; SPEN, CREN
    movwf   RC1STA, b
    return
