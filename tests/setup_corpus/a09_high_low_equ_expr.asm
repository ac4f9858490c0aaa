        LIST    P=18F2620, R=DEC
        #include <P18F2620.INC>

FOSC        EQU     40000000
BAUD        EQU     9600
; 16-bit BRG, BRGH = 1: n = Fosc / (4 * baud) - 1, rounded
BRG_VAL     EQU     ((FOSC / 4 + BAUD / 2) / BAUD) - 1

UartInit:
        movlw   HIGH BRG_VAL
        movwf   SPBRGH
        movlw   LOW BRG_VAL
        movwf   SPBRG
        bsf     BAUDCON, BRG16
        movlw   b'00100100'
        movwf   TXSTA
        movlw   b'10010000'
        movwf   RCSTA
        return
