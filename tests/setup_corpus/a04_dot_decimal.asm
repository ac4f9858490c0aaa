;**********************************************************************
;   RS232 at 9600 baud, 8 MHz crystal
;**********************************************************************
        LIST    P=16F648A
        INCLUDE "P16F648A.INC"

UART_INIT
        BSF     STATUS, RP0
        MOVLW   .51             ; 8 MHz / (16 * 52) = 9615
        MOVWF   SPBRG
        MOVLW   B'00100100'
        MOVWF   TXSTA
        BCF     STATUS, RP0
        BSF     RCSTA, SPEN
        BSF     RCSTA, CREN
        RETURN
